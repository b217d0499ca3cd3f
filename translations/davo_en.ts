<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation>Computer specification: </translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation>Computer name:</translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation>Video resolution:</translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation>Logged in user:</translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation>Version of Windows:</translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation>Version Database:</translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation>Software folder:</translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation>Language: </translation>
    </message>
    <message>
        <source>Suporte: </source>
        <extracomment>Stays Portuguese in English in kivo; davo translates it.</extracomment>
        <translation>Support: </translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation>Version  2017</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation>The data is kept in the file %1.
It is an SQLite database, which any SQLite tool opens.
A copy of that file, made while the program is closed, is a complete backup.</translation>
    </message>
</context>
<context>
    <name>davo::GradeAtividades</name>
    <message>
        <source>Ativo</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>GUT</source>
        <translation>GUT</translation>
    </message>
    <message>
        <source>Gravidade</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Urgência</source>
        <translation>Urgency</translation>
    </message>
    <message>
        <source>Tendência</source>
        <translation>Tendency</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Data Final</source>
        <translation>Deadline</translation>
    </message>
    <message>
        <source>Faltam Dias</source>
        <translation>Days Left</translation>
    </message>
    <message>
        <source>Tempo Disp.(h)</source>
        <translation>Time Avail.(h)</translation>
    </message>
    <message>
        <source>Horas Estimadas</source>
        <translation>Estimated Hours</translation>
    </message>
    <message>
        <source>Horas já trabalhadas</source>
        <translation>Hours worked</translation>
    </message>
    <message>
        <source>Horas Q Faltam</source>
        <translation>Hours Left</translation>
    </message>
    <message>
        <source>Horas a Trab. p/dia</source>
        <translation>Hours to Work/day</translation>
    </message>
    <message>
        <source>(não avaliada) </source>
        <translation>(not rated) </translation>
    </message>
</context>
<context>
    <name>davo::GraficoPlano</name>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Capacidade: %1 horas por dia</source>
        <translation>Capacity: %1 hours per day</translation>
    </message>
    <message>
        <source>Horas depois da Data Final</source>
        <translation>Hours after the deadline</translation>
    </message>
    <message>
        <source>«%1»
%2: %3 h</source>
        <translation>“%1”
%2: %3 h</translation>
    </message>
    <message>
        <source>, %1 h depois da Data Final (%2)</source>
        <translation>, %1 h after the deadline (%2)</translation>
    </message>
</context>
<context>
    <name>davo::Importacao</name>
    <message>
        <source>1 atividade a importar</source>
        <translation>1 activity to import</translation>
    </message>
    <message>
        <source>%1 atividades a importar</source>
        <translation>%1 activities to import</translation>
    </message>
    <message>
        <source>, 1 ignorada</source>
        <translation>, 1 skipped</translation>
    </message>
    <message>
        <source>, %1 ignoradas</source>
        <translation>, %1 skipped</translation>
    </message>
    <message>
        <source> (sem prazo)</source>
        <translation> (no deadline)</translation>
    </message>
    <message>
        <source> (sem descrição)</source>
        <translation> (no description)</translation>
    </message>
    <message>
        <source> (%1 sem prazo, %2 sem descrição)</source>
        <translation> (%1 with no deadline, %2 with no description)</translation>
    </message>
</context>
<context>
    <name>davo::Intercambio</name>
    <message>
        <source>Arquivos iCalendar (*.ics *.ical *.icalendar);;Todos os arquivos (*)</source>
        <translation>iCalendar files (*.ics *.ical *.icalendar);;All files (*)</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>File not saved!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo &quot;%1&quot;.
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>The file &quot;%1&quot; could not be saved.
Choose another folder or another name and try again.</translation>
    </message>
    <message>
        <source>Arquivo gravado</source>
        <translation>File saved</translation>
    </message>
    <message>
        <source>%1 foi gravado no arquivo:
%2</source>
        <translation>%1 was saved in the file:
%2</translation>
    </message>
    <message>
        <source>Arquivo existente!</source>
        <translation>File exists!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; já existe. Deseja substituí-lo?</source>
        <translation>The file &quot;%1&quot; already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Exportar atividades para iCalendar</source>
        <translation>Export activities to iCalendar</translation>
    </message>
    <message>
        <source>O calendário de atividades</source>
        <translation>The calendar of activities</translation>
    </message>
    <message>
        <source>Exportar a lista de atividades para CSV</source>
        <translation>Export the list of activities to CSV</translation>
    </message>
    <message>
        <source>A lista de atividades</source>
        <translation>The list of activities</translation>
    </message>
    <message>
        <source>Exportar o histórico para CSV</source>
        <translation>Export the history to CSV</translation>
    </message>
    <message>
        <source>O histórico</source>
        <translation>The history</translation>
    </message>
    <message>
        <source>Importar tarefas de iCalendar</source>
        <translation>Import tasks from iCalendar</translation>
    </message>
    <message>
        <source>Arquivo não lido!</source>
        <translation>File not read!</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo &quot;%1&quot;.</source>
        <translation>The file &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>Arquivo não reconhecido!</source>
        <translation>File not recognised!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não é um arquivo iCalendar (.ics) e nada foi importado.</source>
        <translation>The file &quot;%1&quot; is not an iCalendar (.ics) file and nothing was imported.</translation>
    </message>
    <message>
        <source>Nada a importar!</source>
        <translation>Nothing to import!</translation>
    </message>
    <message>
        <source>Confirma a importação?</source>
        <translation>Import these tasks?</translation>
    </message>
    <message>
        <source>Importação concluída</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>1 atividade importada.</source>
        <translation>1 activity imported.</translation>
    </message>
    <message>
        <source>%1 atividades importadas.</source>
        <translation>%1 activities imported.</translation>
    </message>
</context>
<context>
    <name>davo::Menu</name>
    <message>
        <source>Prioridades pelo método GUT</source>
        <translation>Priorities by the GUT method</translation>
    </message>
    <message>
        <source>Gravidade · Urgência · Tendência</source>
        <translation>Gravity · Urgency · Tendency</translation>
    </message>
    <message>
        <source>Sistema Davo</source>
        <translation>Davo System</translation>
    </message>
    <message>
        <source>&amp;Atividades GUT</source>
        <translation>GUT &amp;Activities</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>&amp;Plano</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Compactar Banco de Dados</source>
        <translation>&amp;Compact Database</translation>
    </message>
    <message>
        <source>&amp;Suporte</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>&amp;Exportar atividades (iCalendar)...</source>
        <translation>&amp;Export activities (iCalendar)...</translation>
    </message>
    <message>
        <source>&amp;Importar tarefas (iCalendar)...</source>
        <translation>&amp;Import tasks (iCalendar)...</translation>
    </message>
    <message>
        <source>&amp;Atividades GUT...</source>
        <translation>GUT &amp;Activities...</translation>
    </message>
    <message>
        <source>&amp;Histórico...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Utilitários</source>
        <translation>&amp;Utilities</translation>
    </message>
    <message>
        <source>Exportar para CS&amp;V</source>
        <translation>Export to CS&amp;V</translation>
    </message>
    <message>
        <source>Somente leitura: nada pode ser gravado</source>
        <translation>Read only: nothing can be saved</translation>
    </message>
    <message>
        <source>Sistema Davo - Versão 2017</source>
        <translation>Davo System - Version 2017</translation>
    </message>
    <message>
        <source>FORMATO DATA ERRADO!</source>
        <translation>WRONG DATE FORMAT!</translation>
    </message>
    <message>
        <source>Alterar o Formato da DATA para &apos;DD/MM/AAAA&apos; (Painel de Controle, Configurações Regionais)</source>
        <translation>Change the DATE format to &apos;DD/MM/YYYY&apos; or &apos;MM/DD/YYYY&apos; (Control Panel, Regional Settings)</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>Program Stopped!</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>The program is running a second time and will be closed!</translation>
    </message>
    <message>
        <source>O banco de dados &apos;%1&apos; não está aberto.</source>
        <translation>The database &apos;%1&apos; is not open.</translation>
    </message>
    <message>
        <source>OK!</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>Arquivo Compactado!</source>
        <translation>File Compacted!</translation>
    </message>
</context>
<context>
    <name>davo::compactaBanco</name>
    <message>
        <source>Não foi possível renomear &apos;%1&apos; para &apos;%2&apos;: %3</source>
        <translation>&apos;%1&apos; could not be renamed to &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>Não foi possível gravar a pasta &apos;%1&apos; no disco.</source>
        <translation>The folder &apos;%1&apos; could not be written to the disk.</translation>
    </message>
</context>
<context>
    <name>davo::descartaAlteracoes</name>
    <message>
        <source>Descartar alterações?</source>
        <translation>Discard changes?</translation>
    </message>
    <message>
        <source>Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?</source>
        <translation>Some answers or texts have not been saved yet. Leave without saving them?</translation>
    </message>
</context>
<context>
    <name>davo::frmAtividadesGUT</name>
    <message>
        <source>Atividades GUT</source>
        <translation>GUT Activities</translation>
    </message>
    <message>
        <source>Incluir &amp;Nova Atividade</source>
        <translation>Add &amp;New Activity</translation>
    </message>
    <message>
        <source>Ver &amp;Plano</source>
        <translation>View &amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Carga Horária/Dia: </source>
        <translation>Hours/Day: </translation>
    </message>
    <message>
        <source>(primeiros 6 projetos)</source>
        <translation>(first 6 projects)</translation>
    </message>
    <message>
        <source>Data Final:</source>
        <translation>Deadline:</translation>
    </message>
    <message>
        <source>Horas Estimadas:</source>
        <translation>Estimated Hours:</translation>
    </message>
    <message>
        <source>Horas Já Trab.:</source>
        <translation>Hours Worked:</translation>
    </message>
    <message>
        <source>Finalizar Tarefa</source>
        <translation>Finish Task</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Horas Trabalhadas:</source>
        <translation>Hours Worked Now:</translation>
    </message>
    <message>
        <source>&amp;Reavaliar</source>
        <translation>&amp;Re-rate</translation>
    </message>
    <message>
        <source>Responder de novo os questionários de Gravidade e Tendência desta atividade</source>
        <translation>Answer the Gravity and Tendency questionnaires of this activity again</translation>
    </message>
    <message>
        <source>Observações</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Prazos não atualizados!</source>
        <translation>Deadlines not updated!</translation>
    </message>
    <message>
        <source>%1 A lista mostra os prazos e as horas da última gravação, que não puderam ser atualizados; %2</source>
        <translation>%1 The list shows the deadlines and hours last saved, which could not be updated; %2</translation>
    </message>
    <message>
        <source>Data Final incompatível!</source>
        <translation>Deadline not accepted!</translation>
    </message>
    <message>
        <source>Data Final não pode ser anterior da data de hoje, e nesse caso não será alterada.</source>
        <translation>The deadline cannot be before today, so it will not be changed.</translation>
    </message>
    <message>
        <source>Data Final não válida e nesse caso não será alterada.</source>
        <translation>The deadline is not a valid date, so it will not be changed.</translation>
    </message>
</context>
<context>
    <name>davo::frmGravidade</name>
    <message>
        <source>eu me desmotivarei</source>
        <translation>I will lose motivation</translation>
    </message>
    <message>
        <source>o relacionamento com meu chefe será prejudicado</source>
        <translation>my relationship with my boss will suffer</translation>
    </message>
    <message>
        <source>a confiança em mim mesmo diminuirá</source>
        <translation>my self-confidence will drop</translation>
    </message>
    <message>
        <source>a minha equipe será prejudicada</source>
        <translation>my team will suffer</translation>
    </message>
    <message>
        <source>impactará sobre outras pessoas</source>
        <translation>it will affect other people</translation>
    </message>
    <message>
        <source>impactará sobre outros departamentos</source>
        <translation>it will affect other departments</translation>
    </message>
    <message>
        <source>reduzirá a segurança da empresa</source>
        <translation>it will reduce the company&apos;s safety</translation>
    </message>
    <message>
        <source>acabará or gerar outros problemas</source>
        <translation>it will end up causing other problems</translation>
    </message>
    <message>
        <source>prejudicará o prazo de um cliente interno</source>
        <translation>it will hurt an internal customer&apos;s deadline</translation>
    </message>
    <message>
        <source>prejudicará o prazo de um cliente externo</source>
        <translation>it will hurt an external customer&apos;s deadline</translation>
    </message>
    <message>
        <source>trará grandes custos adicionais à empresa</source>
        <translation>it will bring the company large extra costs</translation>
    </message>
    <message>
        <source>impactará sobre outras atividades</source>
        <translation>it will affect other activities</translation>
    </message>
    <message>
        <source>poderá ser gargalo de um processo</source>
        <translation>it may become the bottleneck of a process</translation>
    </message>
    <message>
        <source>deixarei de ter certos benefícios</source>
        <translation>I will miss certain benefits</translation>
    </message>
    <message>
        <source>Discordo totalmente</source>
        <translation>Strongly disagree</translation>
    </message>
    <message>
        <source>Discordo</source>
        <translation>Disagree</translation>
    </message>
    <message>
        <source>Indiferente</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Concordo</source>
        <translation>Agree</translation>
    </message>
    <message>
        <source>Concordo totalmente</source>
        <translation>Strongly agree</translation>
    </message>
    <message>
        <source>DT</source>
        <comment>Discordo totalmente</comment>
        <translation>SD</translation>
    </message>
    <message>
        <source>D</source>
        <comment>Discordo</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>I</source>
        <comment>Indiferente</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Concordo</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>CT</source>
        <comment>Concordo totalmente</comment>
        <translation>SA</translation>
    </message>
    <message>
        <source>Gravidade (potenciais danos; seriedade do problema)</source>
        <translation>Gravity (potential harm; seriousness of the problem)</translation>
    </message>
    <message>
        <source>Se a atividade não for realizada, se nada for feito, </source>
        <translation>If the activity is not carried out, if nothing is done, </translation>
    </message>
    <message>
        <source>Gravidade</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Nível de gravidade =</source>
        <translation>Gravity level =</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Faltou calcular a Gravidade!</source>
        <translation>The Gravity was not calculated!</translation>
    </message>
    <message>
        <source>Antes de salvar, calcule a Gravidade dessa nova atividade.</source>
        <translation>Before saving, calculate the Gravity of this new activity.</translation>
    </message>
</context>
<context>
    <name>davo::frmHistorico</name>
    <message>
        <source>Atividades Já concluídas</source>
        <translation>Activities Already Finished</translation>
    </message>
    <message>
        <source>&amp;Recuperar Tarefa</source>
        <translation>&amp;Reopen Task</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Back</translation>
    </message>
</context>
<context>
    <name>davo::frmNovaAtiv</name>
    <message>
        <source>Horas Estimadas incorretas!</source>
        <translation>Estimated Hours not valid!</translation>
    </message>
    <message>
        <source>Digite as horas estimadas como um número igual ou maior que zero, para depois poder salvar a nova tarefa</source>
        <translation>Type the estimated hours as a number equal to or greater than zero, then you can save the new task</translation>
    </message>
    <message>
        <source>Horas Já Trab. incorretas!</source>
        <translation>Hours Worked not valid!</translation>
    </message>
    <message>
        <source>Digite as horas já trabalhadas como um número igual ou maior que zero, para depois poder salvar a nova tarefa</source>
        <translation>Type the hours already worked as a number equal to or greater than zero, then you can save the new task</translation>
    </message>
    <message>
        <source>Inclusão de Nova Atividade</source>
        <translation>New Activity</translation>
    </message>
    <message>
        <source>Atividade:</source>
        <translation>Activity:</translation>
    </message>
    <message>
        <source>Data Final:</source>
        <translation>Deadline:</translation>
    </message>
    <message>
        <source>Horas Estimadas:</source>
        <translation>Estimated Hours:</translation>
    </message>
    <message>
        <source>Horas Já Trab.:</source>
        <translation>Hours Worked:</translation>
    </message>
    <message>
        <source>Gravidade:</source>
        <translation>Gravity:</translation>
    </message>
    <message>
        <source>Tendência:</source>
        <translation>Tendency:</translation>
    </message>
    <message>
        <source>Urgência:</source>
        <translation>Urgency:</translation>
    </message>
    <message>
        <source>GUT:</source>
        <translation>GUT:</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>&amp;Gravidade</source>
        <translation>&amp;Gravity</translation>
    </message>
    <message>
        <source>&amp;Tendências</source>
        <translation>&amp;Tendency</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Data Final incorreta!</source>
        <translation>Deadline not valid!</translation>
    </message>
    <message>
        <source>Data Final não pode ser anterior a data de hoje, redefinir essa data.</source>
        <translation>The deadline cannot be before today; set that date again.</translation>
    </message>
    <message>
        <source>Falta calcular a Tendência!</source>
        <translation>The Tendency is not calculated yet!</translation>
    </message>
    <message>
        <source>Primeiro calcule o valor da Tendência, para depois poder salvar a nova tarefa</source>
        <translation>First calculate the Tendency, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta calcular a Gravidade!</source>
        <translation>The Gravity is not calculated yet!</translation>
    </message>
    <message>
        <source>Primeiro calcule o valor da Gravidade, para depois poder salvar a nova tarefa</source>
        <translation>First calculate the Gravity, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta calcular o GUT!</source>
        <translation>The GUT is not calculated yet!</translation>
    </message>
    <message>
        <source>Primeiro calcule a Gravidade e a Tendência, para depois poder salvar a nova tarefa</source>
        <translation>First calculate the Gravity and the Tendency, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta digitar o número de horas já trabalhadas!</source>
        <translation>The hours already worked are missing!</translation>
    </message>
    <message>
        <source>Primeiro coloque o valor das horas já trabalhadas, para depois poder salvar a nova tarefa</source>
        <translation>First enter the hours already worked, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta Data Final da Atividade!</source>
        <translation>The activity&apos;s deadline is missing!</translation>
    </message>
    <message>
        <source>Digite a Data Final para depois poder salvar a nova tarefa</source>
        <translation>Type the deadline, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta digitar a Atividade!</source>
        <translation>The activity is missing!</translation>
    </message>
    <message>
        <source>Primeiro descreva a atividade, para depois poder salvar a nova tarefa</source>
        <translation>First describe the activity, then you can save the new task</translation>
    </message>
    <message>
        <source>Falta digitar o número de horas estimadas!</source>
        <translation>The estimated hours are missing!</translation>
    </message>
    <message>
        <source>Primeiro coloque o valor das horas estimadas, para depois poder salvar a nova tarefa</source>
        <translation>First enter the estimated hours, then you can save the new task</translation>
    </message>
</context>
<context>
    <name>davo::frmPlano</name>
    <message>
        <source>Plano das Próximas Semanas</source>
        <translation>Plan of the Coming Weeks</translation>
    </message>
    <message>
        <source>&amp;Atividades que atrasarão:</source>
        <translation>&amp;Activities that will be late:</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Data Final</source>
        <translation>Deadline</translation>
    </message>
    <message>
        <source>Término Previsto</source>
        <translation>Expected End</translation>
    </message>
    <message>
        <source>Horas de Atraso</source>
        <translation>Hours Late</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Nenhuma atividade aberta</source>
        <translation>No open activity</translation>
    </message>
    <message>
        <source>Nenhuma atividade atrasará</source>
        <translation>No activity will be late</translation>
    </message>
    <message>
        <source>1 atividade atrasará</source>
        <translation>1 activity will be late</translation>
    </message>
    <message>
        <source>%1 atividades atrasarão</source>
        <translation>%1 activities will be late</translation>
    </message>
    <message>
        <source>1 hora além da capacidade</source>
        <translation>1 hour beyond capacity</translation>
    </message>
    <message>
        <source>%1 horas além da capacidade</source>
        <translation>%1 hours beyond capacity</translation>
    </message>
    <message>
        <source>Com esta atividade, nenhuma outra atrasará</source>
        <translation>With this activity, no other will be late</translation>
    </message>
    <message>
        <source>Com esta atividade, nenhuma outra atrasará mais do que já atrasa</source>
        <translation>With this activity, no other will be later than it already is</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>%1 horas</source>
        <translation>%1 hours</translation>
    </message>
    <message>
        <source>«%1» atrasará mais %2</source>
        <translation>“%1” will be %2 later</translation>
    </message>
    <message>
        <source>«%1» atrasará %2</source>
        <translation>“%1” will be %2 late</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source> e mais 1 atividade atrasará</source>
        <translation> and 1 more activity will be late</translation>
    </message>
    <message>
        <source> e mais %1 atividades atrasarão</source>
        <translation> and %1 more activities will be late</translation>
    </message>
    <message>
        <source>Com esta atividade, %1</source>
        <translation>With this activity, %1</translation>
    </message>
</context>
<context>
    <name>davo::frmTendencia</name>
    <message>
        <source>Os danos apontados desaparecerão com o tempo:</source>
        <translation>The harm pointed out will disappear with time:</translation>
    </message>
    <message>
        <source>Os danos se manterão, independentemente do tempo:</source>
        <translation>The harm will remain, whatever the time:</translation>
    </message>
    <message>
        <source>Os danos crescerão levemente com o tempo:</source>
        <translation>The harm will grow slightly with time:</translation>
    </message>
    <message>
        <source>Os danos crescerão muito com o tempo:</source>
        <translation>The harm will grow a lot with time:</translation>
    </message>
    <message>
        <source>Os danos crescerão enormemente com o tempo:</source>
        <translation>The harm will grow enormously with time:</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tendência</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>T: Tendência</source>
        <translation>T: Tendency</translation>
    </message>
    <message>
        <source>Tendência (dos danos, potencial crescimento dos danos)</source>
        <translation>Tendency (of the harm, potential growth of the harm)</translation>
    </message>
    <message>
        <source>Se a atividade não for realizada, se nada for feito, </source>
        <translation>If the activity is not carried out, if nothing is done, </translation>
    </message>
    <message>
        <source>Nível de Gravidade =</source>
        <translation>Gravity Level =</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Faltou calcular a Tendência!</source>
        <translation>The Tendency was not calculated!</translation>
    </message>
    <message>
        <source>Antes de salvar, volte e Calcule a Tendência</source>
        <translation>Before saving, go back and calculate the Tendency</translation>
    </message>
</context>
<context>
    <name>davo::relataErro</name>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ocorreu um erro na Abertura de Arquivos.
Como referência, anote o seguinte número: 
Número de Erro =&gt; %1
Ref.: %2</source>
        <translation>An error occurred while opening the files.
For reference, write down the following number: 
Error number =&gt; %1
Ref.: %2</translation>
    </message>
</context>
</TS>
