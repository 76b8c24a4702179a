<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Controlador multimídia Pelvane – Configuração do dispositivo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Importar uma configuração substitui seus ajustes atuais.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>A operação foi concluída com sucesso.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Falha na operação.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Conecte um dispositivo ou crie uma configuração</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Criar uma configuração</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Ajustes globais</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Escolha o que cada controle faz em todos os aplicativos.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Por aplicativo</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Escolha o que cada controle faz enquanto um determinado aplicativo está em primeiro plano.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Prepare seu controlador.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Sobre &amp; suporte</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Versão do software, atualizações e ajuda.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Usar como dial</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Usar como jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Usar zonas da roda jog</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Usar para rolagem</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Clique para editar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Escolher um aplicativo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Digitar tecla</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Pressionar modificadores</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Executar programa</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Digitar texto</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Executar macro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Mouse &amp; sistema</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texto a ser digitado</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Selecionar modificadores</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>As teclas modificadoras mantidas pressionadas enquanto a ação é executada.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Adicionar tecla</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Pressione uma tecla ou escolha uma na lista de teclas.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Selecionar item</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Escolha o programa ou arquivo a ser aberto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Escolha uma ação do mouse ou do sistema.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rolagem</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Rola a janela sob o ponteiro.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Clique do mouse</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Clica com um botão do mouse.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Altera o volume do som.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Altera o brilho da tela.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Duplo</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triplo</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Trava</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Selecionar uma macro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Adicionar macro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Excluir macro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Já existe uma macro com esse nome</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Os ajustes por aplicativo estão ativados</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Os ajustes por aplicativo estão desativados</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Digite o nome do perfil</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Excluir este perfil?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>O nome de perfil Default é reservado!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Já existe um perfil com esse nome</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Propriedades gerais</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Sequência de ações</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Adicionar grupo</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Excluir grupo</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Adicionar ação</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Editar ação</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Remover ação</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Salvar as últimas alterações?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>O que você deseja fazer?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Não atribuído</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Pressione qualquer tecla</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Lista de teclas</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Teclas de função</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Programa a ser executado</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Teclas de navegação e edição</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Teclas do teclado numérico</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Teclas multimídia</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Teclas especiais</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Num %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Navegador de internet</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Reprodutor de mídia</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>Aplicativo de e-mail</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Visite nosso site</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Configure seu controlador</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Siga o guia de primeiros passos para configurar seu controlador.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Driver v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Solucionar problemas</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Estamos aqui para ajudar</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Enviar comentários à Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Restaurar ajustes de fábrica</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Restaurar esta tecla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Todos os ajustes foram restaurados para os valores de fábrica.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Boas-vindas, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Informações da conta</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Esqueceu sua senha?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Sincronizar configuração</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Excluir conta</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Excluir sua conta definitivamente?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>ou entre com</translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation>Microsoft</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Create a new account</source>
        <translation>Criar uma nova conta</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Sua conta foi excluída.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Você precisa escolher uma ação para aplicar</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Campo obrigatório vazio</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Restaurar os ajustes padrão?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>O perfil deste controle não existe mais, então a alteração não foi salva.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Este controle já tem outra ação aqui, então a alteração não foi salva.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>“Desativado” não pode substituir uma ação que este controle recebe de outra atribuição, então a alteração não foi salva.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Não foi possível ler seus ajustes, então os padrões estão sendo exibidos. O arquivo danificado é guardado à parte como %1 antes que algo seja salvo por cima dele.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verificando atualizações...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>A verificação de atualizações excedeu o tempo limite.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Falha na verificação de atualizações.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Uma nova versão está disponível. Baixar agora?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>A nova versão foi baixada. Instalar agora?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Seu software está atualizado.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Baixando a atualização...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>A atualização foi cancelada.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Sua configuração na nuvem (salva em %1, versão %2) é diferente desta. Qual você deseja manter?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Enviar sua configuração para a nuvem?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Restaurar a configuração na nuvem para o padrão?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>A configuração na nuvem é inválida. Substituí-la por esta?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Esta configuração é inválida. Restaurá-la para o padrão?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Baixando a configuração...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>O download foi cancelado.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Enviando a configuração...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>O upload foi cancelado.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>A configuração foi restaurada.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Falha na sincronização.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Falha no upload.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Falha no download.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Seus ajustes estão sincronizados.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Selecionar um perfil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Trocar perfil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Escolha o perfil que o controlador usa ou crie um novo.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Aplicar ao controlador</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Criar novo perfil</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Escolher uma ação</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Perfil de destino</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Adicione um aplicativo para dar aos controles ações próprias enquanto ele estiver em primeiro plano.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>A configuração do aplicativo foi excluída.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>A configuração do dispositivo foi excluída.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Selecionar um programa</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Permita que o programa controle seu computador</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Abra as Preferências do Sistema.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Escolha Segurança &amp; Privacidade.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Abra a aba Privacidade.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Selecione Acessibilidade.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Marque a caixa ao lado do programa.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Abrir Segurança &amp; Privacidade</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Mover o programa para Aplicativos</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>O programa funciona melhor a partir da pasta Aplicativos.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Excluir esta configuração?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Detalhes da configuração</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Já existe uma configuração com esse nome</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Já existe uma configuração para este programa</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nome da configuração</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Entendi!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>A atualização foi instalada. Reinicie o computador para concluir.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Reiniciar mais tarde</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Baixar atualizações sem perguntar</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Instalar atualizações sem perguntar</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Sincronizar a configuração com a nuvem</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervalo de verificação de atualizações</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervalo de verificação de notificações</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Esta macro está em uso. Excluí-la mesmo assim?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Política de privacidade</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Conformidade com o RGPD</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Controlador multimídia Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Controlador multimídia Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Perfil padrão</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Igual ao valor inferior</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Digitar tecla: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Pressionar </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Executar programa </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Executar macro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Ação: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Mudar para o perfil </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clique do meio</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Clique do botão 4</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Clique do botão 5</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Clique duplo</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Clique triplo</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Trava do clique</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Clique duplo direito</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Trava do clique direito</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Pressionar tecla</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Aumentar brilho</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Diminuir brilho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rolar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rolar para baixo</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rolar para a esquerda</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rolar para a direita</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Usar ajuste padrão</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Igual ao valor inferior</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Mudar ajustes</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Controles de mouse e sistema</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Ação personalizada...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Manter pressionado</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>O mais rápido possível</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 vezes por segundo</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 vezes por segundo</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 vezes por segundo</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 vezes por segundo</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 vezes por segundo</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 vezes por segundo</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 vezes por segundo</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Uma vez por segundo</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>A cada dois segundos</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>A cada três segundos</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>A cada quatro segundos</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Sem espera</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Espera 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Espera 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Espera 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Espera 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Espera 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Espera 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Espera 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Espera 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Espera 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Espera 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Espera 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Espera 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Espera 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>Nº %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Giro à esq.</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Giro à dir.</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Transição de %1 para %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>BOTÕES</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>DIAL</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>RODA JOG</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Escolher idioma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norueguês</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandês</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dinamarquês</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>A janela exibe os textos no idioma que você escolher.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Seta acima</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Seta abaixo</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Seta esquerda</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Seta direita</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Tecla de aplicativos</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Attn</source>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>PA1</source>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Não foi possível iniciar o login: outro programa está usando a porta %1, pela qual o navegador devolve o login. Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Não foi possível salvar sua alteração em %1: %2. Ela continua nesta janela, e a próxima alteração que puder ser salva a salvará também. Se o programa for encerrado antes disso, a alteração será perdida.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>não há mais espaço no disco</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>você não tem permissão para gravar ali</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>um arquivo ou uma pasta está no caminho</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>a pasta dele não existe</translation>
    </message>
</context>
</TS>
